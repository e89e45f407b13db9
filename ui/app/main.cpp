// 雷光丸職人への道: a judge of reach-me patterns for one three-reel pachislot
// machine.
#include "ui/app/startup.h"

int main(int argc, char *argv[]) { return ui::runProgram(argc, argv); }
