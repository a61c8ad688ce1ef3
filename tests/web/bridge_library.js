// The test program's end of chromium_bridge.py's named pipes, read synchronously under node.
mergeInto(LibraryManager.library, {
  $DrobiBridge: {},
  drobi_bridge_call__deps: ['$DrobiBridge'],
  drobi_bridge_call: function (request) {
    var fs = require('fs'), bridge = DrobiBridge;
    if (!bridge.answers) {
      bridge.requests = fs.openSync(process.env['DROBI_BRIDGE_REQUESTS'], 'w');
      bridge.answers = fs.openSync(process.env['DROBI_BRIDGE_ANSWERS'], 'r');
      bridge.read = '';
    }
    fs.writeSync(bridge.requests, UTF8ToString(request) + '\n');
    var chunk = Buffer.alloc(65536), got;
    while (bridge.read.indexOf('\n') < 0) {
      if ((got = fs.readSync(bridge.answers, chunk, 0, chunk.length, null)) === 0) {
        throw new Error('the bridge has ended');
      }
      bridge.read += chunk.toString('latin1', 0, got);  // bytes; the answers are ASCII JSON
    }
    var answer = JSON.parse(bridge.read.slice(0, bridge.read.indexOf('\n')));
    bridge.read = bridge.read.slice(bridge.read.indexOf('\n') + 1);
    return allocateUTF8('error' in answer ? '!' + answer['error'] : ' ' + answer['value']);
  },
});
