# Writes $ENV{BRENVALE_DIST}/brenvale-<VERSION>-win64.zip from EXE and README. The same
# files give the same zip, byte for byte: every member with the time in SOURCE_DATE_EPOCH.
# scripts/make-zip.py writes it, since `cmake -E tar --format=zip` records each file's
# access and change times too, which differ from build to build.
if("$ENV{BRENVALE_DIST}" STREQUAL "")
    message(FATAL_ERROR "BRENVALE_DIST names no folder for the zip")
endif()
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH holds no time for the zip's files")
endif()

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
configure_file(${README} ${STAGE}/README.txt @ONLY NEWLINE_STYLE CRLF)

# Made aside and moved into place whole: an interrupted run leaves no half zip in dist.
set(zip $ENV{BRENVALE_DIST}/brenvale-${VERSION}-win64.zip)
file(MAKE_DIRECTORY $ENV{BRENVALE_DIST})
find_program(PYTHON python3 REQUIRED)
execute_process(
    COMMAND ${PYTHON} ${MAKE_ZIP} ${zip}.new ${epoch} brenvale.exe=${EXE}
            README.txt=${STAGE}/README.txt
    COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${zip}.new ${zip})
message(${zip})
