#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace korvida {

// libjpeg reports a failure through its error manager, which by default ends the process.
// This one jumps back to the caller's setjmp instead: install it with `catchJpegErrors`
// and give `back` to setjmp before the first libjpeg call. Only plain data may live in the
// frame that jumps back, so that the jump leaves nothing undestroyed.
struct JumpingJpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] inline void jumpBackOnJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JumpingJpegErrors*>(info->err)->back, 1);
}

// The standard error manager in `errors`, made to jump back: set it as the `err` of
// libjpeg's compress or decompress struct.
inline jpeg_error_mgr* catchJpegErrors(JumpingJpegErrors& errors)
{
    jpeg_error_mgr* manager = jpeg_std_error(&errors.manager);
    manager->error_exit = jumpBackOnJpegError;
    return manager;
}

} // namespace korvida
