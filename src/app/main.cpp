#include "Application.h"

int main(int argc, char** argv) {
    return travo::RunEditor(argc, argv);
}
