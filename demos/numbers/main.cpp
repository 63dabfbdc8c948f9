#include "DemoProgram.h"
#include "frmNumbersDemo.h"

int main(int argc, char** argv) { return demo::run<numbersdemo::frmNumbersDemo>(argc, argv); }
