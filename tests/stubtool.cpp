// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for lame, ffmpeg and normalize-audio in the tests and benchmarks
// (it is linked under those names). It appends a line to $STUB_LOG: its pid,
// the signal it gets when its parent dies, its name and its arguments, each
// after a \x1f. It writes the output the real tool would write (a tiny WAV,
// or an MP3 frame for ".mp3"), then follows the script that its input file
// holds, one command a line (other lines, such as a WAV header, are passed over):
//   err TEXT      write TEXT and a line break to standard error
//   sleep MS      wait MS milliseconds
//   wait PATH     wait until PATH exists
//   exit N        end with exit code N (the default is 0)
//   crash         die of SIGSEGV
//   term exit N   on SIGTERM end normally with code N, as ffmpeg does;
//                 without it SIGTERM kills the stub, as it kills lame
//   term ignore   go on after SIGTERM
//   nowrite       write no output
//   cut           write an output whose header claims more than it holds, as on a full disk
//   leave NAME    create NAME beside the input, as normalize-audio does its temporary file
//   rewrite [N]   replace the input as normalize-audio does (a new file renamed over
//                 it), holding its first N bytes, or all of them
//   shrink        the same, holding one sample frame
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <csignal>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/prctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

int exitOnTerm = 0;

int main(int argc, char *argv[])
{
    const std::string self = argv[0], tool = self.substr(self.rfind('/') + 1);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string input = args.empty() ? "" : args.back(), output;  // normalize-audio
    if (tool == "lame" && args.size() >= 2)
        input = args[0] == "--decode" ? args[1] : args[args.size() - 2], output = args.back();
    else if (tool == "ffmpeg" && args.size() >= 3)
        input = args[2], output = args.back();  // -y -i INPUT ...

    std::vector<std::string> script;
    std::ifstream file(input);
    for (std::string line; std::getline(file, line);)
        script.push_back(line);
    for (const std::string &line : script) {
        if (line.rfind("term exit ", 0) == 0)
            exitOnTerm = std::stoi(line.substr(10)), std::signal(SIGTERM, [](int) { _exit(exitOnTerm); });
        else if (line == "term ignore")
            std::signal(SIGTERM, SIG_IGN);
        else if (line == "nowrite")
            output.clear();
    }

    // Logged once the SIGTERM behaviour is in place: a test that sees the line may stop the stub.
    int parentDeathSignal = 0;
    prctl(PR_GET_PDEATHSIG, &parentDeathSignal);
    std::string logLine = std::to_string(getpid()) + ' ' + std::to_string(parentDeathSignal) + ' ' + tool;
    for (const std::string &arg : args)
        logLine += '\x1f' + arg;
    if (const char *log = getenv("STUB_LOG"))
        std::ofstream(log, std::ios::app) << logLine << '\n' << std::flush;
    const std::string wave("RIFF$\0\0\0WAVEfmt \x10\0\0\0\1\0\2\0\x44\xac\0\0\x10\xb1\2\0\4\0\x10\0data\4\0\0\0\0\0\0\0", 48);
    std::string audio = wave;
    if (output.size() > 4 && output.substr(output.size() - 4) == ".mp3")
        audio = "\xff\xfb\x90\x64 MPEG frame";
    else if (std::find(script.begin(), script.end(), "cut") != script.end())
        audio[40] = 'x';  // 120 bytes of samples declared, 4 there
    if (!output.empty())
        std::ofstream(output, std::ios::binary) << audio;

    int exitCode = 0;
    for (const std::string &line : script) {
        if (line.rfind("err ", 0) == 0) {
            const std::string text = line.substr(4) + '\n';
            [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text.data(), text.size());
        }
        else if (line.rfind("sleep ", 0) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(line.substr(6))));
        else if (line.rfind("wait ", 0) == 0)
            while (access(line.substr(5).c_str(), F_OK) != 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        else if (line.rfind("exit ", 0) == 0)
            exitCode = std::stoi(line.substr(5));
        else if (line == "crash")
            std::signal(SIGSEGV, SIG_DFL), std::raise(SIGSEGV);  // past any handler a sanitizer installed
        else if (line.rfind("leave ", 0) == 0)
            std::ofstream(input.substr(0, input.rfind('/') + 1) + line.substr(6));
        else if (line.rfind("rewrite", 0) == 0 || line == "shrink") {
            std::ifstream original(input, std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(original)), std::istreambuf_iterator<char>());
            bytes = line == "shrink" ? wave : line.size() > 8 ? bytes.substr(0, std::stoul(line.substr(8))) : bytes;
            const std::string rewritten = input.substr(0, input.rfind('/') + 1) + "_normStub00";
            std::ofstream(rewritten, std::ios::binary) << bytes;
            std::rename(rewritten.c_str(), input.c_str());
        }
    }
    return exitCode;
}
