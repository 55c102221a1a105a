#include "Startup.h"

int main()
{
    RuntimeInit();
    _Initialize();
    _Main();
    _Finalize();
    return RuntimeExit();
}
