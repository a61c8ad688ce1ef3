#include "ui/qt/program.hpp"

int main(int argc, char* argv[]) { return drobi::RunProgram(argc, argv); }
