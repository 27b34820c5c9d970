#pragma once

// Every conversion between the internal UTF-16 text and the services' wire text.
#include "translate/text/Base64.h"
#include "translate/text/CodePage.h"
#include "translate/text/MarkerExtraction.h"
#include "translate/text/TextEdits.h"
#include "translate/text/TextEscapes.h"
#include "translate/text/UrlEncoding.h"
#include "translate/text/UtfConversion.h"
