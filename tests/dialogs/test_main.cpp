#include "support/ui_fixture.h"

int main(int argc, char** argv)
{
    return zentrel::test::runUiTests(argc, argv);
}
