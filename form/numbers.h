#pragma once

#include <string>

// Numbers as the program prints them, by {fmt} on every target, so that
// Linux, Windows and the web show the same digits. No locale: the point is
// always '.', and no digits are grouped. All of the program's float printing
// lives in numbers.cpp, so that {fmt}'s float code is built in once.
namespace jet::form {

// printf's %.Nf: `decimals` digits after the point.
std::string Fixed(double value, int decimals);

// printf's %.Ng: at most `digits` significant digits.
std::string Significant(double value, int digits);

// The shortest decimal that reads back as the same double.
std::string Shortest(double value);

}  // namespace jet::form
