#include "app/main/Unit1.h"

void TForm1::BindJobHandlers()
{
}
