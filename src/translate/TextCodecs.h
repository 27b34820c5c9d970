#pragma once

// Every conversion between the internal UTF-16 text and the services' wire text.
#include "translate/Base64.h"
#include "translate/CodePage.h"
#include "translate/MarkerExtraction.h"
#include "translate/TextEdits.h"
#include "translate/TextEscapes.h"
#include "translate/UrlEncoding.h"
#include "translate/UtfConversion.h"
