#pragma once
// Conversion between the binary form stream and its text form, and the
// resource-file header of designed-form files.
#include <cstdint>
#include <string>

class TStream;

// Reads a binary form stream ("TPF0" ...) from Input's position and
// writes its text form to Output. Raises EReadError on malformed input.
void ObjectBinaryToText(TStream* Input, TStream* Output);
// Parses a text form from Input's position and writes the binary form.
// Raises EParserError "... on line N" on malformed input. Text holding
// several "object ... end" blocks (the designer's clipboard) converts one
// block per call: Input is left at the start of the next block, or at its
// end after the last one (trailing blanks and a NUL included).
void ObjectTextToBinary(TStream* Input, TStream* Output);
// The same with a resource header in front of the binary form.
void ObjectResourceToText(TStream* Input, TStream* Output);
void ObjectTextToResource(TStream* Input, TStream* Output);
// Convenience over strings.
std::string ObjectBinaryToText(const std::string& Binary);
std::string ObjectTextToBinary(const std::string& Text);

// Resource header: 0xFF 0x0A 0x00, upper-case name, 0x00, flags 0x1030,
// 4-byte length of the stream that follows.
void WriteResourceHeader(TStream* Stream, const std::string& Name, uint32_t StreamSize);
// Writes the header with a zero length; FixupResourceHeader(Stream,
// HeaderPos) then patches the length once the form stream is written.
int64_t BeginResourceHeader(TStream* Stream, const std::string& Name);
void FixupResourceHeader(TStream* Stream, int64_t HeaderPos);
// Skips a resource header at the stream's position; the position stays
// when the data starts directly with "TPF0". Returns the resource name
// ("" without header). Raises EReadError "Invalid stream format" on a
// broken header.
std::string ReadResourceHeader(TStream* Stream);
