#pragma once

// Every benchmark program runs in a home of its own: a fresh temporary folder
// holding HOME and the XDG data, config, cache and runtime folders, made
// before any library code runs (the log fixes its file while the program
// loads) and removed when the program ends. Linking BenchHome.cpp is enough;
// this returns that folder for programs that want to show it.
class BenchHome
{
public:
    static const char *path();

private:
    BenchHome() = delete;
};
