#include "converter/Window1.h"

void Window1::PBqsi_Action(PushButton*)
{
}
