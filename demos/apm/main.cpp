#include "DemoProgram.h"
#include "frmAPMDemo.h"

int main(int argc, char** argv) { return demo::run<frmAPMDemo>(argc, argv); }
