// The test program's end of chromium_bridge.py's named pipes, read synchronously under node.
mergeInto(LibraryManager.library, {
  $DrobiBridge: {requests: -1, answers: -1, buffer: null},
  drobi_bridge_call__deps: ['$DrobiBridge'],
  drobi_bridge_call: function (request) {
    var fs = require('fs');
    var bridge = DrobiBridge;
    if (bridge.requests < 0) {
      bridge.requests = fs.openSync(process.env['DROBI_BRIDGE_REQUESTS'], 'w');
      bridge.answers = fs.openSync(process.env['DROBI_BRIDGE_ANSWERS'], 'r');
      bridge.buffer = Buffer.alloc(0);
    }
    var line = Buffer.from(UTF8ToString(request) + '\n');
    for (var at = 0; at < line.length;) at += fs.writeSync(bridge.requests, line, at);
    var chunk = Buffer.alloc(65536);
    var until = function (enough) {
      while (!enough()) {
        var got = fs.readSync(bridge.answers, chunk, 0, chunk.length, null);
        if (got === 0) throw new Error('the bridge has ended');
        bridge.buffer = Buffer.concat([bridge.buffer, chunk.subarray(0, got)]);
      }
    };
    until(function () {
      return bridge.buffer.indexOf(10) >= 0;
    });
    var end = bridge.buffer.indexOf(10);
    var head = bridge.buffer.subarray(0, end).toString();
    var size = parseInt(head.replace('!', ''), 10);
    until(function () {
      return bridge.buffer.length >= end + 1 + size;
    });
    var body = bridge.buffer.subarray(end + 1, end + 1 + size).toString();
    bridge.buffer = bridge.buffer.subarray(end + 1 + size);
    return allocateUTF8((head[0] === '!' ? '!' : ' ') + body);
  },
});
