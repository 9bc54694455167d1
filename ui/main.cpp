#include "ui/application.h"

int main(int argc, char** argv) {
    return tremalo::runApplication(argc, argv);
}
