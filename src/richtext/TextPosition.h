#pragma once

class TParagraph;
class TTextLine;

/// A place between characters: before character `index` of `line` in `paragraph`.
struct TTextPosition {
    TParagraph *paragraph = nullptr;
    TTextLine *line = nullptr;
    int index = 0;

    bool isValid() const { return paragraph && line; }
    friend bool operator==(const TTextPosition &, const TTextPosition &) = default;
};

/// The characters from `start` up to (not including) `end`. An invalid `end`
/// reaches to the end of the document.
struct TTextRange {
    TTextPosition start;
    TTextPosition end;
};
