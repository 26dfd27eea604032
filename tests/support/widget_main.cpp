#include "test_arguments.h"

// Widget tests draw off screen, also while CTest lists them.
int main(int argc, char** argv)
{
    return RunWidgetTests(argc, argv, "offscreen");
}
