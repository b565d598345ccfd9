#pragma once
// Checks a stored skin against what the program's windows expect of it: it loads, every
// description the windows look up is there with the expected class, every picture number is in
// range, every rectangle lies inside its picture (or inside the image it is relative to),
// corner points are ordered, masks match their pictures, names that descriptions give other
// descriptions resolve, and the marks and glyphs drawn on its faces contrast 3:1 with them.

#include <span>
#include <string>
#include <string_view>
#include <vector>

// A name the program looks up and the kind word of the class it expects.
struct TLookup {
    std::string_view Name;
    std::string_view Kind;
};

// The descriptions the windows look up in a switchable skin and in the fixed skin.
std::span<const TLookup> SwitchableLookups();
std::span<const TLookup> FixedLookups();

// The problems of a stored skin; empty when it passes. frame: the skin must describe a form frame
// (switchable skins do, the fixed skin does not).
std::vector<std::string> LintSkin(std::string_view stored, std::span<const TLookup> lookups, bool frame);
