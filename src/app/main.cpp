#include "app/game.h"

int main(int, char** argv) {
    RunGame(argv[0]);
    return 0;
}
