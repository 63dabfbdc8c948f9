#include "DemoProgram.h"
#include "frmMultimediaDemo.h"

int main(int argc, char** argv) { return demo::run<multimediademo::frmMultimediaDemo>(argc, argv); }
