#include "app/IktoSI.h"

void IktoSI::CalcEff() {}

void IktoSI::FuelChoice() {}
