#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Numbers and texts as the program writes them, by {fmt} on every target, so that
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
// The same, written at the end of a text: no text of its own to make.
void AppendShortest(std::string& text, double value);

// A place on a picture to a tenth of a unit, no more digits than that
// needs: "12.3", "12", "-0.5". For what is drawn, not what was typed.
void AppendTenths(std::string& text, double value);

// The parts one after the other: one call where a chain of + would build
// each step anew (and, in WebAssembly, inline each).
std::string Concat(std::initializer_list<std::string_view> parts);

}  // namespace jet::form
