#include "cleaner/junk/file_details.h"
#include "support/sandbox.h"
#include "platform/date_format.h"

#include <gtest/gtest.h>
