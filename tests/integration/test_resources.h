// Resource identifiers of the integration tests' own fixtures (broken_png.rc).
#pragma once

#define IDP_TEST_TRUNCATED_HEADER 9001
#define IDP_TEST_NOT_PNG 9002
#define IDP_TEST_EMPTY 9003
#define IDP_TEST_TRUNCATED_DATA 9004
// No resource of any type has this identifier.
#define IDP_TEST_MISSING 9099
