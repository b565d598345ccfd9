#pragma once
// The filter of the two open dialogs: 42 entries of description and patterns, each followed by
// "|"; the first is "所有文件格式 (*.*)".

#include <string>

std::string OpenDialogFilter();
