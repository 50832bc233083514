#pragma once
// What the numeric edit accepts and how it turns its text into a value.
#include <string>
#include <string_view>

// A typed character is kept when it is a sign, a digit or a control
// character other than Enter; a disabled edit also drops every printable
// character and backspace.
bool NumberEditAcceptsChar(char Ch, bool Enabled);
// Value limited to [MinValue, MaxValue]; equal limits mean no limit.
int ClampNumber(int Value, int MinValue, int MaxValue);
// Text read as a decimal integer; MinValue when it is none.
int NumberFromText(std::string_view Text, int MinValue);
