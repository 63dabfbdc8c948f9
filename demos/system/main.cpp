#include "DemoProgram.h"
#include "frmSystem.h"

int main(int argc, char** argv) { return demo::run<sysdemo::frmSystem>(argc, argv); }
