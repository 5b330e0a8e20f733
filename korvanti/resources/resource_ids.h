// Ids of korvanti's resources, shared by the resource script and the code.
// Plain #defines: the resource compiler reads this file too.
#pragma once

#define KV_IDI_STOPWATCH 101
#define KV_IDR_MAINMENU 106
#define KV_IDD_ABOUT 118
#define KV_IDB_CHIP 122
#define KV_IDB_TITLE 123
