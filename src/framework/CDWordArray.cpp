#include "framework/CDWordArray.h"

IMPLEMENT_DYNAMIC(CDWordArray, CObject)
