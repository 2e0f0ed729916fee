#pragma once
// ornavo-gen save FILE|-: runs a recipe and prints the settings of the window it leaves open, as the
// window's "保存设置…" writes them. Settings that the window would refuse (larger than a settings file
// may be) are not printed at all: the command says why and ends with status 2.

#include <string>

int saveSettingsCommand(const std::string& path);
