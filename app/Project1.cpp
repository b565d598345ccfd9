#include <cstdio>

int main()
{
    std::puts("Zudevivivoduv: the main window is not built yet.");
    return 0;
}
