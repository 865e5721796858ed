#include "data_tool.h"
#include "platform/instance_channel.h"
#include "platform/paths.h"
#include "startup/startup_helpers.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // for the user's data home
    const std::vector<std::string> args(argv + 1, argv + argc);
    return sg::tool::runDataTool(args, sg::userDataDirFor(sg::platform::profileDir()), std::cout,
        std::cerr, &sg::platform::InstanceChannel::copyRunsOn);
}
