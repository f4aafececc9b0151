#include "GlobalVariables.h"

qint16 LanguageCode = 0;
