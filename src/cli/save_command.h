#pragma once
// ornavo-gen save FILE|-: runs a recipe and prints the settings of the window it leaves open, as the
// window's "保存设置…" writes them.

#include <string>

int saveSettingsCommand(const std::string& path);
