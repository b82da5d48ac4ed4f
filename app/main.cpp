// Brelt's entry point.
#include <cstdio>

int main() {
    std::puts("Brelt");
    return 0;
}
