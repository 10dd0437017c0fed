#pragma once

#include <string>

#include "dialogue.h"

// The exercise on the page: the one the dialogue takes, then as the student
// changes it by moving a point or an amount (explore.cpp).
extern Exercise pageExercise;

// The answers that give an exercise, in a link's form: 2+0+0+1+2+2+0+1+0,
// each coordinate the shortest text that reads back as its float.
std::string answersOf(const Exercise& exercise);
