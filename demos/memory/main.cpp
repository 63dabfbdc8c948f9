#include "DemoProgram.h"
#include "frmMemoryDemo.h"

int main(int argc, char** argv) { return demo::run<frmMemoryDemo>(argc, argv); }
