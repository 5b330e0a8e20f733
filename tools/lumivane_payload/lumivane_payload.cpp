// lumivane-payload OUTDIR NAMES: writes the Lumivane payload that needs no
// compiler (readme.txt, template.txt and the 55 template bitmaps, drawn here)
// into OUTDIR, and the member names in package order into the file NAMES
// (one per line, backslash-separated; torvelle.exe is not among them).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Texts are written with CR LF line ends, whatever the host.
std::string crlf(const char* text) {
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\n') out += '\r';
        out += *p;
    }
    return out;
}

const char kReadme[] =
    "Lumivane 0.41\n"
    "=============\n"
    "\n"
    "Lumivane draws application windows from bitmap templates.\n"
    "\n"
    "Start it from the Start menu (Torvelle) or from the desktop shortcut.\n"
    "\n"
    "The folder \"templates\" holds five template sets:\n"
    "  Default             plain framed windows\n"
    "  Full Transparent    windows without a frame\n"
    "  Round Corner        framed windows with rounded corners\n"
    "  Transparent 3D      raised windows with a shadow\n"
    "  Transparent Bitmap  windows shaped by a mask bitmap\n"
    "\n"
    "template.txt describes how a template set is laid out.\n";

const char kTemplate[] =
    "; Lumivane template description\n"
    "; Every template set is a folder under \"templates\" with these bitmaps:\n"
    ";   main.bmp         the window body\n"
    ";   caption.bmp      the caption strip, repeated across the width\n"
    ";   button*.bmp      a push button: normal, pressed (_down), hot (_over)\n"
    ";   mask.bmp         black where the window is transparent\n"
    "\n"
    "[Template]\n"
    "Name=Default\n"
    "Body=main.bmp\n"
    "Caption=caption.bmp\n"
    "CaptionHeight=18\n"
    "Button=button.bmp\n"
    "ButtonDown=button_down.bmp\n"
    "ButtonOver=button_over.bmp\n"
    "TransparentColor=255,0,255\n";

struct Rgb {
    uint8_t r, g, b;
};

void put16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// A 24-bit bottom-up bitmap file of w x h pixels, each from `pixel(x, y)`
// with y counted from the top.
template <typename F>
std::string bitmap(uint32_t w, uint32_t h, F pixel) {
    const uint32_t stride = (w * 3 + 3) & ~3u;
    std::string s;
    s += "BM";
    put32(s, 54 + stride * h);
    put32(s, 0);
    put32(s, 54);
    put32(s, 40);
    put32(s, w);
    put32(s, h);
    put16(s, 1);
    put16(s, 24);
    put32(s, 0);
    put32(s, stride * h);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, 0);
    put32(s, 0);
    for (uint32_t row = 0; row < h; ++row) {
        const uint32_t y = h - 1 - row;
        for (uint32_t x = 0; x < w; ++x) {
            const Rgb c = pixel(x, y);
            s += static_cast<char>(c.b);
            s += static_cast<char>(c.g);
            s += static_cast<char>(c.r);
        }
        s.append(stride - w * 3, '\0');
    }
    return s;
}

uint8_t mix(uint8_t a, uint8_t b, double t) {
    return static_cast<uint8_t>(std::lround(a + (b - a) * t));
}

// The look of one template set.
struct Style {
    Rgb face, light, dark, accent;
    uint32_t corner;  // radius of rounded corners, 0 for square ones
    bool shadow;
};

// Inside a rectangle of w x h with corners of radius r.
bool inside(uint32_t x, uint32_t y, uint32_t w, uint32_t h, uint32_t r) {
    if (r == 0) return true;
    const double cx = x < r ? r - 0.5 : (x >= w - r ? w - r - 0.5 : x);
    const double cy = y < r ? r - 0.5 : (y >= h - r ? h - r - 0.5 : y);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= static_cast<double>(r) * r;
}

// Draws one template bitmap; the kind is taken from its name.
std::string drawElement(const std::string& name, const Style& st, uint32_t seed) {
    const Rgb key = {255, 0, 255};  // transparent colour of the templates
    uint32_t w = 64, h = 24;
    if (name.rfind("main", 0) == 0 || name.rfind("background", 0) == 0) {
        w = 160 + seed % 5 * 16;
        h = 120 + seed % 3 * 8;
    } else if (name.rfind("caption", 0) == 0 || name.rfind("status", 0) == 0 || name.rfind("frame", 0) == 0) {
        w = 128;
        h = 18;
    } else if (name.rfind("corner", 0) == 0 || name.rfind("close", 0) == 0 || name.rfind("check", 0) == 0 ||
               name.rfind("minimize", 0) == 0 || name.rfind("maximize", 0) == 0 || name.rfind("scroll", 0) == 0) {
        w = 16;
        h = 16;
    } else if (name.rfind("mask", 0) == 0 || name.rfind("shadow", 0) == 0 || name.rfind("edge", 0) == 0) {
        w = 96;
        h = 72;
    } else if (name.rfind("slider", 0) == 0) {
        w = 100;
        h = 12;
    }
    const bool pressed = name.find("_down") != std::string::npos;
    const bool hot = name.find("_over") != std::string::npos || name.find("_on") != std::string::npos;
    return bitmap(w, h, [&](uint32_t x, uint32_t y) -> Rgb {
        if (!inside(x, y, w, h, st.corner)) return key;
        if (name.rfind("mask", 0) == 0) return inside(x, y, w, h, 12) ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
        if (st.shadow && (x + 4 >= w || y + 4 >= h)) return Rgb{64, 64, 64};
        const bool top = x == 0 || y == 0, bottom = x + 1 == w || y + 1 == h;
        if (top) return pressed ? st.dark : st.light;
        if (bottom) return pressed ? st.light : st.dark;
        const double t = static_cast<double>(y) / h;
        Rgb c = {mix(st.face.r, st.accent.r, t), mix(st.face.g, st.accent.g, t), mix(st.face.b, st.accent.b, t)};
        if (hot) c = {mix(c.r, 255, 0.25), mix(c.g, 255, 0.25), mix(c.b, 255, 0.25)};
        // A faint diagonal texture, different in every bitmap.
        if ((x + y + seed) % 7 == 0) c = {mix(c.r, st.dark.r, 0.2), mix(c.g, st.dark.g, 0.2), mix(c.b, st.dark.b, 0.2)};
        return c;
    });
}

struct TemplateSet {
    const char* folder;
    Style style;
    std::vector<const char*> names;  // in byte order
};

bool writeFile(const fs::path& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) std::fprintf(stderr, "lumivane-payload: cannot write %s\n", path.string().c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumivane-payload OUTDIR NAMES\n");
        return 2;
    }
    const std::vector<TemplateSet> sets = {
        {"Default",
         {{192, 192, 192}, {255, 255, 255}, {128, 128, 128}, {160, 160, 176}, 0, false},
         {"background.bmp", "button.bmp", "button_down.bmp", "button_over.bmp", "caption.bmp", "check.bmp",
          "check_on.bmp", "close.bmp", "frame.bmp", "main.bmp", "maximize.bmp", "minimize.bmp", "scroll_down.bmp",
          "scroll_up.bmp", "slider.bmp", "slider_thumb.bmp", "status.bmp"}},
        {"Full Transparent",
         {{224, 232, 240}, {255, 255, 255}, {96, 112, 128}, {176, 200, 224}, 0, false},
         {"background.bmp", "button.bmp", "button_down.bmp", "caption.bmp", "close.bmp", "main.bmp", "mask.bmp"}},
        {"Round Corner",
         {{200, 216, 200}, {240, 255, 240}, {80, 112, 80}, {144, 184, 144}, 6, false},
         {"button.bmp", "caption.bmp", "corner_bl.bmp", "corner_br.bmp", "corner_tl.bmp", "corner_tr.bmp",
          "main.bmp"}},
        {"Transparent 3D",
         {{208, 200, 184}, {255, 248, 232}, {104, 96, 80}, {176, 160, 128}, 0, true},
         {"background.bmp", "button.bmp", "button_down.bmp", "button_over.bmp", "caption.bmp", "close.bmp",
          "edge.bmp", "main.bmp", "mask.bmp", "shadow.bmp"}},
        {"Transparent Bitmap",
         {{184, 200, 224}, {240, 248, 255}, {64, 80, 112}, {120, 144, 200}, 3, false},
         {"background.bmp", "button.bmp", "button_down.bmp", "button_over.bmp", "caption.bmp", "check.bmp",
          "check_on.bmp", "close.bmp", "frame.bmp", "main.bmp", "mask.bmp", "minimize.bmp", "slider.bmp",
          "status.bmp"}},
    };

    const fs::path out = argv[1];
    std::error_code ec;
    fs::create_directories(out, ec);
    std::string names = "readme.txt\ntemplate.txt\n";
    if (!writeFile(out / "readme.txt", crlf(kReadme)) || !writeFile(out / "template.txt", crlf(kTemplate))) return 1;
    uint32_t seed = 0;
    for (const TemplateSet& set : sets) {
        const fs::path folder = out / "templates" / set.folder;
        fs::create_directories(folder, ec);
        for (const char* name : set.names) {
            if (!writeFile(folder / name, drawElement(name, set.style, seed++))) return 1;
            names += std::string("templates\\") + set.folder + "\\" + name + "\n";
        }
    }
    return writeFile(argv[2], names) ? 0 : 1;
}
