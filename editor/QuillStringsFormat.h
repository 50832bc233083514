#pragma once
// The "Strings" stream format of the editor's text: each paragraph is one
// or more strings of at most 255 characters; a string ending in character
// 5 continues in the next one, an empty string or one not ending in 5
// ends the paragraph.
#include <string>
#include <string_view>

constexpr char QuillContinueMark = 5;

template <class W>
void WriteParagraphStrings(W& Writer, std::string_view Text) {
    while (Text.size() > 255) {
        std::string Chunk(Text.substr(0, 254));
        Chunk += QuillContinueMark;
        Writer.WriteString(Chunk);
        Text.remove_prefix(254);
    }
    std::string Last(Text);
    if (!Last.empty() && Last.back() == QuillContinueMark) {
        // A final 5 would read as "continued": protect it with one more 5
        // and end the paragraph with an empty string.
        Last += QuillContinueMark;
        Writer.WriteString(Last);
        Writer.WriteString(std::string());
        return;
    }
    Writer.WriteString(Last);
}

// Reads one paragraph; stops early at the end of the list.
template <class R>
std::string ReadParagraphStrings(R& Reader) {
    std::string Text;
    while (true) {
        std::string S = Reader.ReadString();
        if (!S.empty() && S.back() == QuillContinueMark) {
            S.pop_back();
            Text += S;
            if (Reader.EndOfList()) break;
            continue;
        }
        Text += S;
        break;
    }
    return Text;
}
