// Date-stamp messages in message boxes owned by the window given.
#include "ui/file_date_stamp.h"

#include "framework/message_box.h"
#include "transfer/date_stamp.h"

bool GetFileDateStamp(HWND owner, const char* photoPath, char* stamp) {
    CMessageBoxes messages(owner);
    return transfer::GetFileDateStamp(messages, photoPath, stamp);
}
