# Writes $ENV{BRENVALE_DIST}/brenvale-<VERSION>-setup.exe from EXE with NSIS; the exe goes
# in with the time in SOURCE_DATE_EPOCH, so the same exe gives the same installer.
if("$ENV{BRENVALE_DIST}" STREQUAL "")
    message(FATAL_ERROR "BRENVALE_DIST names no folder for the installer")
endif()
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH holds no time for the installed files")
endif()
set(setup $ENV{BRENVALE_DIST}/brenvale-${VERSION}-setup.exe)
file(MAKE_DIRECTORY $ENV{BRENVALE_DIST})
execute_process(COMMAND ${MAKE_INSTALLER} ${EXE} ${VERSION} ${epoch} ${setup}
                COMMAND_ERROR_IS_FATAL ANY)
message(${setup})
