#include <cstdio>

// Placeholder entry point until the comparison tool is written.
int main()
{
    std::fputs("usage: mamediff [-s | -n] <old list> <new list>\n", stderr);
    return 2;
}
