#include "engine/game_engine.h"

// Heights follow 13 - 2 * |column - 7|; left, top and gap place the column on the board.
const std::array<column_row, 13> column_table{{
    {0, 0, 0, 0, 0},
    {1, 0, 0, 0, 0},
    {2, 27, 150, 26, 3},
    {3, 63, 113, 19, 5},
    {4, 98, 84, 14, 7},
    {5, 133, 61, 10, 9},
    {6, 167, 41, 7, 11},
    {7, 201, 27, 4, 13},
    {8, 235, 41, 7, 11},
    {9, 269, 61, 10, 9},
    {10, 304, 84, 14, 7},
    {11, 339, 113, 19, 5},
    {12, 375, 150, 26, 3},
}};
