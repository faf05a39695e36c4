// Resource identifiers shared by the resource script and the code. Plain #define lines only, so
// that the resource compilers' preprocessors read this file as well as the C++ compiler does.
#pragma once

// The clock dialog.
#define IDD_CLOCK 101

// Clock glyphs. The digits are not numbered in numeric order.
#define IDB_DIGIT_8 102
#define IDB_DIGIT_5 103
#define IDB_DIGIT_4 104
#define IDB_DIGIT_9 105
#define IDB_DIGIT_1 106
#define IDB_DIGIT_7 107
#define IDB_DIGIT_6 108
#define IDB_DIGIT_3 109
#define IDB_DIGIT_2 110
#define IDB_DIGIT_0 111
#define IDB_COLON 112

// Maze tiles: four groups by the wall strokes drawn (left; left and top; none; top), each in the
// order empty floor, exit (diamond), player (smiling face), monster.
#define IDB_TILE_LEFT_EMPTY 113
#define IDB_TILE_LEFT_EXIT 114
#define IDB_TILE_LEFT_PLAYER 115
#define IDB_TILE_LEFT_MONSTER 116
#define IDB_TILE_LEFT_TOP_EMPTY 117
#define IDB_TILE_LEFT_TOP_EXIT 118
#define IDB_TILE_LEFT_TOP_PLAYER 119
#define IDB_TILE_LEFT_TOP_MONSTER 120
#define IDB_TILE_OPEN_EMPTY 121
#define IDB_TILE_OPEN_EXIT 122
#define IDB_TILE_OPEN_PLAYER 123
#define IDB_TILE_OPEN_MONSTER 124
#define IDB_TILE_TOP_EMPTY 125
#define IDB_TILE_TOP_EXIT 126
#define IDB_TILE_TOP_PLAYER 127
#define IDB_TILE_TOP_MONSTER 128

// The application icon (its images are icon resources 1 to 6).
#define IDI_APP 129
