#pragma once

#include <string>

#include "dialogue.h"
#include "exercise.h"

// The exercise on the page: the one the dialogue takes, then as the student
// changes it by moving a point or an amount (explore.cpp).
extern Exercise pageExercise;
