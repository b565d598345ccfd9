/* Every avutil entry point of the engine's list as an empty function, except av_log_set_level,
   which is renamed away so that binding it fails. */
#define av_log_set_level zd_stub_lacks_av_log_set_level
#define ZD_ENTRY(name) void name(void) {}
#include "engine/entries/avutil.inc"
