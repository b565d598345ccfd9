#include "platform/shell/ShellItemId.h"

#include "platform/kernel/Exceptions.h"

const std::string& ShellItemId::Last() const
{
    ZD_ASSERT(!segments_.empty(), "the desktop has no last segment");
    return segments_.back();
}

ShellItemId ShellItemId::Child(const std::string& segment) const
{
    ShellItemId result = *this;
    result.segments_.push_back(segment);
    return result;
}

ShellItemId ShellItemId::DropLast() const
{
    ShellItemId result = *this;
    if (!result.segments_.empty())
        result.segments_.pop_back();
    return result;
}

ShellItemId ShellItemId::LastItem() const
{
    if (segments_.empty())
        return {};
    return ShellItemId({segments_.back()});
}

ShellItemId ShellItemId::Concat(const ShellItemId& tail) const
{
    ShellItemId result = *this;
    result.segments_.insert(result.segments_.end(), tail.segments_.begin(), tail.segments_.end());
    return result;
}

std::vector<ShellItemId> ShellItemId::Ancestors() const
{
    std::vector<ShellItemId> result;
    for (std::size_t n = 0; n < segments_.size(); ++n)
        result.emplace_back(std::vector<std::string>(segments_.begin(), segments_.begin() + n));
    return result;
}
