// Gorlak Zombies: the entry point.
#include "core/program.h"

int main(int, char **)
{
    return runProgram();
}
