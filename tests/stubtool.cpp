// Stands in for lame, ffmpeg and normalize-audio in the tests (it is linked
// under those names). It appends its arguments, and the signal it gets when
// its parent dies, as one JSON line to $STUB_LOG, writes the output file the
// real tool would write (a small WAV or MP3 by the output's suffix), then
// follows the script that its input file holds, one command a line (other
// lines, such as a WAV header around the script, are passed over):
//   err TEXT        write TEXT to standard error (\n, \r, \t understood)
//   sleep MS        wait MS milliseconds
//   exit N          end with exit code N (the default is 0)
//   crash           die of SIGSEGV
//   term exit N     on SIGTERM end normally with code N, as ffmpeg does
//                   (without it SIGTERM kills the stub, as it kills lame)
//   term ignore     go on after SIGTERM
//   nowrite         write no output file
//   leave NAME      create the file NAME beside the input, as normalize-audio
//                   creates its temporary file
//   flood BYTES     write BYTES of progress lines to standard error at once
#include <csignal>
#include <sys/prctl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

int exitOnTerm = 0;

void onTerm(int)
{
    _exit(exitOnTerm);
}

std::string json(const std::string &text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string unescape(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

void writeAll(int fd, const std::string &text)
{
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += size_t(n);
    }
}

// `samples` as a WAV file or as an MP3 frame, by the suffix of `path`.
std::string audioNamed(const std::string &path, const std::string &samples)
{
    const auto le32 = [](size_t n) {
        return std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
    };
    std::string file;
    if (path.size() >= 4 && path.compare(path.size() - 4, 4, ".mp3") == 0) {
        file = "\xff\xfb\x90\x64";
    } else {
        file = "RIFF";
        file += le32(36 + samples.size());
        file += "WAVEfmt ";
        file += le32(16);
        file.append("\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00", 16);
        file += "data";
        file += le32(samples.size());
    }
    return file + samples;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string tool = std::strrchr(argv[0], '/') ? std::strrchr(argv[0], '/') + 1 : argv[0];
    const std::vector<std::string> args(argv + 1, argv + argc);

    std::string input, output;
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if ((tool == "lame" && args[i] == "--decode") || (tool == "ffmpeg" && args[i] == "-i"))
            input = args[i + 1];
    }
    if (tool == "lame" && input.empty() && args.size() >= 2)
        input = args[args.size() - 2];
    if (tool == "normalize-audio" && !args.empty())
        input = args.back();
    else if (!args.empty())
        output = args.back();

    std::vector<std::string> script;
    {
        std::ifstream file(input);
        for (std::string line; std::getline(file, line);)
            script.push_back(line);
    }
    bool writeOutput = !output.empty();
    for (const std::string &line : script) {
        if (line.rfind("term exit ", 0) == 0) {
            exitOnTerm = std::atoi(line.c_str() + 10);
            std::signal(SIGTERM, onTerm);
        } else if (line == "term ignore") {
            std::signal(SIGTERM, SIG_IGN);
        } else if (line == "nowrite") {
            writeOutput = false;
        }
    }

    // Logged once the SIGTERM behaviour is in place: a test that sees the
    // line may stop the stub at once.
    if (const char *log = std::getenv("STUB_LOG")) {
        std::string line = "{\"tool\":" + json(tool) + ",\"argv\":[";
        for (size_t i = 0; i < args.size(); ++i) {
            if (i)
                line += ',';
            line += json(args[i]);
        }
        int parentDeathSignal = 0;
        prctl(PR_GET_PDEATHSIG, &parentDeathSignal);
        line += "],\"pid\":";
        line += std::to_string(getpid());
        line += ",\"pdeathsig\":";
        line += std::to_string(parentDeathSignal);
        line += "}\n";
        std::ofstream(log, std::ios::app) << line << std::flush;
    }
    if (writeOutput)
        std::ofstream(output, std::ios::binary) << audioNamed(output, "output of " + input + "\n");

    int exitCode = 0;
    for (const std::string &line : script) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "err") {
            writeAll(STDERR_FILENO, unescape(line.substr(4)));
        } else if (command == "sleep") {
            int ms = 0;
            words >> ms;
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        } else if (command == "exit") {
            words >> exitCode;
        } else if (command == "crash") {
            std::signal(SIGSEGV, SIG_DFL);  // past any handler a sanitizer installed
            std::raise(SIGSEGV);
        } else if (command == "leave") {
            const size_t slash = input.rfind('/');
            std::ofstream(input.substr(0, slash == std::string::npos ? 0 : slash + 1) + line.substr(6));
        } else if (command == "flood") {
            long bytes = 0;
            words >> bytes;
            std::string text;
            for (int percent = 0; long(text.size()) < bytes; percent = (percent + 1) % 100)
                text += "\r   " + std::to_string(percent) + "/100    (" + std::to_string(percent) + "%)|    0:00/    0:00| ";
            writeAll(STDERR_FILENO, text);
        }
    }
    return exitCode;
}
