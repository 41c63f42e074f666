// A program that does nothing, linked like velmora-query: the floor for its start-to-exit time.
#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    return 0;
}
