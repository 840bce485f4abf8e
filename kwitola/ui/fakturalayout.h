#pragma once

#include <array>

namespace kwitola::ui {

// Horizontal place of a control: left edge and width.
struct Span
{
    int left = 0;
    int width = 0;
    [[nodiscard]] int right() const { return left + width; }
    bool operator==(const Span&) const = default;
};

// What the main window's resize rule starts from: the window's outer size
// and the controls whose geometry does not change with it.
struct ResizeInput
{
    int width = 0;  // outer width W
    int height = 0; // outer height H
    Span druk;      // the document-kind list
    int drukHeight = 0;
    int numberLeft = 0;   // left edge of the document number edit
    int addWidth = 0;     // "+"
    int correctWidth = 0; // "Korekta"
    int removeWidth = 0;  // "-"
    int dayWidth = 0;
    int monthWidth = 0;
    int yearWidth = 0;
    int linesTop = 0; // top of the document line columns
    int printButtonHeight = 0;
    int totalHeight = 0; // height of the total-to-pay edit
};

// Where the resize rule puts the controls that follow the window's size.
struct MainLayout
{
    Span lists;        // the issuer, recipient and goods lists
    Span add;          // "+" of every button triple
    Span correct;      // "Korekta"
    Span remove;       // "-"
    int rightEdge = 0; // R: the right edge of the issuer's "-"
    Span search;       // find_nip
    Span searchButton; // b_szukaj
    Span fullList;     // b_wszystkie
    Span lineButtons;  // the line buttons and the hint under them
    Span day;          // the day, month and year edits of all three dates
    Span month;
    Span year;
    int dateCaptionRight = 0;
    std::array<Span, 4> columns; // Memo1 to Memo4
    int columnHeight = 0;
    int totalTop = 0;      // Edit5
    int totalLabelTop = 0; // Label17
    int bottomRowTop = 0;
    std::array<Span, 5> bottomRow; // the three print buttons, "Opcje", "Zamknij"
};

MainLayout computeMainLayout(const ResizeInput& input);

} // namespace kwitola::ui
