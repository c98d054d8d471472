#pragma once

#include <utility>

#include "items/StatBlock.h"

// The gained sheet of a new game, written out from its table by index; every entry not named
// there is 0.
inline StatBlock NewGameSheet() {
  StatBlock sheet{};
  const std::pair<int, float> named[] = {
      {0, 1},      {1, 1},       {2, 1},      {3, 5},      {4, 1},       {5, 10},     {6, 100},
      {7, 100},    {8, 0.3f},    {9, 120},    {10, 20},    {11, 0.66f},  {12, 0.33f}, {13, 0.5f},
      {14, 1},     {15, 1},      {16, 10},    {18, 600},   {19, 1},      {20, 100},   {21, 100},
      {22, 600},   {23, 1},      {24, 1},     {25, 1},     {26, 1},      {27, 1},     {28, 2},
      {29, 20},    {30, 20},     {31, 0.06f}, {32, 0.5f},  {37, 1},      {39, 1},     {40, 10},
      {41, 3},     {42, 0.005f}, {43, 20},    {44, 20},    {45, -3},     {190, 0.5f}, {198, 100},
      {199, 8},    {200, 30},    {201, 12},   {202, 0.3f}, {203, 0.25f}, {204, 90},   {205, 6},
      {206, 28},   {207, 0.3f},  {208, 20},   {209, -4},   {210, -50},   {227, 20},   {228, 20},
      {229, 25},   {230, 20},    {231, 20},   {232, 12},   {233, 20},    {234, 20},   {243, 2},
      {244, 1},    {245, 2},     {246, 1}};
  for (const auto& [index, value] : named) sheet[index] = value;
  // The Init of each counted pair from 81 on, each followed by its Rate of 1.4.
  const float inits[] = {200,  4200, 1140, 990, 1000, 1000, 1000, 1000, 1000,
                         1000, 50,   50,   50,  3,    3,    1800, 1800, 300,
                         300,  300,  300,  300, 1000, 300,  90};
  for (int pair = 0; pair < 25; ++pair) {
    sheet[81 + 2 * pair] = inits[pair];
    sheet[82 + 2 * pair] = 1.4f;
  }
  // The runs of factors at 1.
  for (const auto& [first, last] : {std::pair{163, 178}, std::pair{182, 189}, std::pair{191, 194},
                                    std::pair{211, 226}, std::pair{235, 242}}) {
    for (int index = first; index <= last; ++index) sheet[index] = 1;
  }
  return sheet;
}
