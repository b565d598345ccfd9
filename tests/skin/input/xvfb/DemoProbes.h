#pragma once
// Runs a demo that prints named screen points ("probe <name> <x> <y> <rrggbb>") and the picture
// it wrote ("wrote <file>"), and reads its points back.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

// Probe name -> colour "rrggbb". The test fails when the demo fails or writes no picture; File
// is removed first so that an old picture does not count.
inline std::map<std::string, std::string> RunProbingDemo(const std::string& Command, const std::string& File)
{
    std::remove(File.c_str());
    std::map<std::string, std::string> probes;
    FILE* out = popen(Command.c_str(), "r");
    if (!out)
        return probes;
    char line[256];
    bool wrote = false;
    while (std::fgets(line, sizeof line, out)) {
        char name[64], colour[16];
        int x = 0, y = 0;
        if (std::sscanf(line, "probe %63s %d %d %15s", name, &x, &y, colour) == 4)
            probes[name] = colour;
        wrote = wrote || std::string(line).rfind("wrote ", 0) == 0;
    }
    EXPECT_EQ(pclose(out), 0) << Command;
    EXPECT_TRUE(wrote) << File;
    return probes;
}
