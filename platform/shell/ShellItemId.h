#pragma once
// The identity of one item of the shell namespace: the chain of segments that leads to it from
// the desktop. A value, compared byte-wise; the empty chain is the desktop itself.
//
// Segments: an entry of a folder is its raw name (never holding "/"); the fixed items are marked
// by a leading "/": `ShellComputerSegment` for Computer, the absolute folder path for Home, the
// XDG folders (under the desktop) and the volumes (under Computer).

#include <compare>
#include <string>
#include <vector>

inline const std::string ShellComputerSegment = "//computer";

class ShellItemId {
public:
    ShellItemId() = default;
    explicit ShellItemId(std::vector<std::string> segments) : segments_(std::move(segments)) {}

    const std::vector<std::string>& Segments() const { return segments_; }
    int Count() const { return static_cast<int>(segments_.size()); }
    bool IsDesktop() const { return segments_.empty(); }
    const std::string& Last() const;

    ShellItemId Child(const std::string& segment) const;
    // Without the last segment; the desktop stays the desktop.
    ShellItemId DropLast() const;
    // The last segment alone as a one-item chain (the desktop's chain when there is none).
    ShellItemId LastItem() const;
    ShellItemId Concat(const ShellItemId& tail) const;
    // For a chain of N segments: its N ancestors holding 0, 1, ..., N - 1 segments, in that
    // order (the desktop first, the parent last).
    std::vector<ShellItemId> Ancestors() const;

    friend bool operator==(const ShellItemId&, const ShellItemId&) = default;
    friend auto operator<=>(const ShellItemId&, const ShellItemId&) = default;

private:
    std::vector<std::string> segments_;
};

// A segment of a fixed item (Computer, Home, an XDG folder, a volume), not a folder entry.
inline bool IsFixedSegment(const std::string& segment)
{
    return !segment.empty() && segment[0] == '/';
}
