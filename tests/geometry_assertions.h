#pragma once

// What the tests share: points as comparable pairs, colour counts, the whole
// dialogue on a given console input, and the README's example.

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "dialogue.h"

// A point's coordinates, which gtest compares and prints.
inline std::pair<float, float> xy(const Point& p) { return {p.x, p.y}; }

// How many of the scene's points or segments have this colour.
template <class Shapes>
long countIn(const Shapes& shapes, int color) {
  return std::count_if(shapes.begin(), shapes.end(),
                       [&](const auto& s) { return s.color == color; });
}

// What `print` writes to the console it is given.
template <class Print>
std::string printedBy(Print print) {
  char text[4096] = {};
  std::FILE* out = fmemopen(text, sizeof text - 1, "w");
  print(out);
  std::fclose(out);
  return text;
}

// Runs both phases on a fresh scene with `input` as the answers: everything
// printed, complaints in their place; "cut short " first if the input ends early.
inline std::string converse(std::string input) {
  scene = Scene();
  std::FILE* in = fmemopen(input.data(), input.size(), "r");
  bool complete = false;
  const std::string printed = printedBy([&](std::FILE* out) {
    complete = runDialogue(Console{in, out, out});
  });
  std::fclose(in);
  return (complete ? "" : "cut short ") + printed;
}

const std::string kExample = "2\n0 0\n1 2\n2 0\n1\n0\n";
const std::string kListing =
    " (0.00,0.00)  (0.33,0.67)  (0.67,1.00)  (1.00,1.00)  (2.00,0.00)  (1.50,1.00)  (1.00,1.00) ";
