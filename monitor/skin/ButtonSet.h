// ButtonSet.h - a page's bitmap buttons from a table of their looks, found by control id.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "monitor/skin/SkinStatic.h"

class CSkinDialog;

// A bitmap button of a page: control id, its normal, hover and pressed bitmaps, and its caption
// (the word the bitmaps show, its window text).
struct ButtonLook {
    int id;
    int normal, hover, pressed;
    const char* caption;
};

class CButtonSet {
public:
    // Attaches each look's control of `dialog`, gives it its bitmaps and caption, and has the dialog
    // reset it to its normal bitmap on mouse moves. A control the template lacks is skipped.
    void Attach(CSkinDialog& dialog, std::span<const ButtonLook> looks);
    // The button with control id `id`, or null.
    CSkinStatic* Find(int id);

private:
    std::vector<std::unique_ptr<CSkinStatic>> buttons_;
};
