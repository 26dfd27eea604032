#include "audio_test_main.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

CapturedStderr::CapturedStderr()
    : path_("/tmp/glimmerjig-stderr-" + std::to_string(::getpid())), saved_(::dup(2))
{
    std::fflush(stderr);
    const int file = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, 2);
    ::close(file);
}

CapturedStderr::~CapturedStderr()
{
    std::fflush(stderr);
    ::dup2(saved_, 2);
    ::close(saved_);
    std::remove(path_.c_str());
}

std::string CapturedStderr::Text() const
{
    std::fflush(stderr);
    std::ifstream file(path_);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ConfigureAudioEnvironment();
    return RUN_ALL_TESTS();
}
