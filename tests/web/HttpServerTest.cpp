// The loopback server: request parsing, keep-alive, the raw channel calls
// and a prompt Stop().

#include <QElapsedTimer>
#include <QTest>
#include <mutex>

#include "platform/LoopbackSocket.h"
#include "samplesite/HttpServer.h"

namespace lumvane {
namespace {

// Reads from `socket` until `expected` bytes arrived, the peer closed, or
// `timeoutMs` passed.
QByteArray ReadAll(LoopbackSocket& socket, qsizetype expected = -1, int timeoutMs = 5000) {
  QByteArray received;
  QElapsedTimer timer;
  timer.start();
  char buffer[65536];
  while ((expected < 0 || received.size() < expected) && timer.elapsed() < timeoutMs) {
    if (!socket.WaitReadable(50)) continue;
    const qint64 n = socket.Receive(buffer, sizeof buffer);
    if (n <= 0) break;
    received.append(buffer, n);
  }
  return received;
}

}  // namespace

class HttpServerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void parsesPipelinedRequestsOnOneConnection();
  void sendsLargeSharedBodies();
  void answersHeadAndExpectContinue();
  void refusesMalformedRequests_data();
  void refusesMalformedRequests();
  void holdReportsTheClientLeaving();
  void resetReachesTheClient();
  void stopEndsHeldSleepingAndIdleConnections();
};

void HttpServerTest::parsesPipelinedRequestsOnOneConnection() {
  std::mutex mutex;
  QList<HttpRequest> seen;
  HttpServer server([&](const HttpRequest& request, HttpResponder& responder) {
    {
      std::lock_guard lock(mutex);
      seen.append(request);
    }
    responder.Send(200, {{"X-Echo", request.target}}, request.body);
  });
  QVERIFY(server.Start());
  QVERIFY(server.Port() != 0);

  auto client = LoopbackSocket::Connect(server.Port());
  QVERIFY(client);
  QVERIFY(client->SendAll(
      QByteArrayView("POST /a?x=1 HTTP/1.1\r\nHost: www.example.test\r\nZ-First: 1\r\nA-Second:  two \r\n"
                     "Content-Length: 5\r\n\r\nhello"
                     "GET /b HTTP/1.1\r\nHost: other.test\r\nConnection: close\r\n\r\n")));
  const QByteArray answers = ReadAll(*client);  // ends when the server closes after /b
  const qsizetype first = answers.indexOf("X-Echo: /a?x=1");
  const qsizetype second = answers.indexOf("X-Echo: /b");
  QVERIFY2(first >= 0 && second > first, answers.constData());
  QVERIFY(answers.contains("Content-Length: 5\r\n\r\nhello"));

  std::lock_guard lock(mutex);
  QCOMPARE(seen.size(), 2);
  QCOMPARE(seen[0].method, QByteArray("POST"));
  QCOMPARE(seen[0].Path(), QByteArray("/a"));
  QCOMPARE(seen[0].host, QByteArray("www.example.test"));
  QCOMPARE(seen[0].headers[1].name, QByteArray("Z-First"));
  QCOMPARE(seen[0].headers[2].name, QByteArray("A-Second"));
  QCOMPARE(seen[0].Header("a-second"), QByteArray("two"));
  QCOMPARE(seen[0].body, QByteArray("hello"));
  QCOMPARE(seen[1].host, QByteArray("other.test"));
  QVERIFY(seen[1].body.isEmpty());
}

void HttpServerTest::sendsLargeSharedBodies() {
  QByteArray picture(5 * 1024 * 1024, Qt::Uninitialized);
  for (qsizetype i = 0; i < picture.size(); ++i) picture[i] = char(i * 7 + i / 4096);
  const HttpBody body = std::make_shared<const QByteArray>(picture);
  HttpServer server([&](const HttpRequest&, HttpResponder& responder) { responder.Send(200, {}, body); });
  QVERIFY(server.Start());
  auto client = LoopbackSocket::Connect(server.Port());
  QVERIFY(client->SendAll(QByteArrayView("GET /p HTTP/1.1\r\nHost: x\r\n\r\n")));
  const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 5242880\r\n\r\n";
  const QByteArray answer = ReadAll(*client, head.size() + picture.size());
  QCOMPARE(answer.left(head.size()), head);
  QVERIFY(answer.mid(head.size()) == picture);
}

void HttpServerTest::answersHeadAndExpectContinue() {
  HttpServer server([](const HttpRequest& request, HttpResponder& responder) {
    responder.Send(200, {}, request.method == "HEAD" ? QByteArray("0123456789") : request.body);
  });
  QVERIFY(server.Start());
  auto client = LoopbackSocket::Connect(server.Port());
  QVERIFY(client->SendAll(QByteArrayView("HEAD / HTTP/1.1\r\nHost: x\r\n\r\n")));
  const QByteArray headAnswer = "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n";
  QCOMPARE(ReadAll(*client, headAnswer.size()), headAnswer);

  QVERIFY(client->SendAll(
      QByteArrayView("PUT / HTTP/1.1\r\nHost: x\r\nExpect: 100-continue\r\nContent-Length: 3\r\n\r\n")));
  const QByteArray goOn = "HTTP/1.1 100 Continue\r\n\r\n";
  QCOMPARE(ReadAll(*client, goOn.size()), goOn);
  QVERIFY(client->SendAll(QByteArrayView("abc")));
  const QByteArray echo = "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabc";
  QCOMPARE(ReadAll(*client, echo.size()), echo);
  QVERIFY(!client->WaitReadable(100));  // nothing after the answer: HEAD sent no body
}

void HttpServerTest::refusesMalformedRequests_data() {
  QTest::addColumn<QByteArray>("request");
  QTest::addColumn<QByteArray>("statusLine");
  QTest::newRow("no version") << QByteArray("GET /\r\n\r\n") << QByteArray("HTTP/1.1 400 ");
  QTest::newRow("header without colon") << QByteArray("GET / HTTP/1.1\r\nbroken\r\n\r\n")
                                        << QByteArray("HTTP/1.1 400 ");
  QTest::newRow("bad length") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 1x\r\n\r\n")
                              << QByteArray("HTTP/1.1 400 ");
  QTest::newRow("two lengths") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n")
                               << QByteArray("HTTP/1.1 400 ");
  QTest::newRow("huge body") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 99999999999\r\n\r\n")
                             << QByteArray("HTTP/1.1 413 ");
  QTest::newRow("chunked body") << QByteArray("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n")
                                << QByteArray("HTTP/1.1 501 ");
  QTest::newRow("endless head") << QByteArray("GET / HTTP/1.1\r\n") + QByteArray(70000, 'a')
                                << QByteArray("HTTP/1.1 413 ");
}

void HttpServerTest::refusesMalformedRequests() {
  QFETCH(QByteArray, request);
  QFETCH(QByteArray, statusLine);
  bool called = false;
  HttpServer server([&](const HttpRequest&, HttpResponder& responder) {
    called = true;
    responder.Send(200, {}, QByteArray());
  });
  QVERIFY(server.Start());
  auto client = LoopbackSocket::Connect(server.Port());
  QVERIFY(client->SendAll(request));
  const QByteArray answer = ReadAll(*client);  // ends because the server closes
  QVERIFY2(answer.startsWith(statusLine), answer.constData());
  QVERIFY(answer.contains("Connection: close\r\n"));
  QVERIFY(!called);
}

void HttpServerTest::holdReportsTheClientLeaving() {
  std::atomic<int> outcome{-1};
  HttpServer server([&](const HttpRequest&, HttpResponder& responder) { outcome = responder.Hold() ? 1 : 0; });
  QVERIFY(server.Start());
  auto client = LoopbackSocket::Connect(server.Port());
  QVERIFY(client->SendAll(QByteArrayView("GET / HTTP/1.1\r\n\r\n")));
  QTest::qWait(50);
  client->Close();
  QTRY_COMPARE_WITH_TIMEOUT(outcome.load(), 1, 5000);
}

void HttpServerTest::resetReachesTheClient() {
  HttpServer server([](const HttpRequest&, HttpResponder& responder) {
    responder.WriteRaw("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npartial");
    responder.Reset();
  });
  QVERIFY(server.Start());
  auto client = LoopbackSocket::Connect(server.Port());
  QVERIFY(client->SendAll(QByteArrayView("GET / HTTP/1.1\r\n\r\n")));
  char buffer[4096];
  qint64 n = 0;
  for (int i = 0; i < 100 && n >= 0; ++i) {
    if (!client->WaitReadable(5000)) break;
    n = client->Receive(buffer, sizeof buffer);
    if (n == 0) break;
  }
  QCOMPARE(n, qint64(-1));  // reset, not an orderly end
}

void HttpServerTest::stopEndsHeldSleepingAndIdleConnections() {
  std::atomic<int> handlersEnded{0};
  HttpServer server([&](const HttpRequest& request, HttpResponder& responder) {
    if (request.target == "/hold") responder.Hold();
    if (request.target == "/sleep") responder.Sleep(60000);
    if (request.target == "/fast") responder.Send(200, {}, QByteArray("ok"));
    ++handlersEnded;
  });
  QVERIFY(server.Start());
  auto held = LoopbackSocket::Connect(server.Port());
  auto sleeping = LoopbackSocket::Connect(server.Port());
  auto idle = LoopbackSocket::Connect(server.Port());
  QVERIFY(held->SendAll(QByteArrayView("GET /hold HTTP/1.1\r\n\r\n")));
  QVERIFY(sleeping->SendAll(QByteArrayView("GET /sleep HTTP/1.1\r\n\r\n")));
  QVERIFY(idle->SendAll(QByteArrayView("GET /fast HTTP/1.1\r\n\r\n")));
  QVERIFY(ReadAll(*idle, 40).endsWith("ok"));
  QTRY_COMPARE_WITH_TIMEOUT(handlersEnded.load(), 1, 5000);
  QTest::qWait(100);  // let the other two handlers start waiting

  QElapsedTimer timer;
  timer.start();
  server.Stop();
  QVERIFY2(timer.elapsed() < 3000, QByteArray::number(timer.elapsed()).constData());
  QCOMPARE(handlersEnded.load(), 3);
  QCOMPARE(ReadAll(*held), QByteArray());
  QCOMPARE(ReadAll(*idle), QByteArray());
}

}  // namespace lumvane

QTEST_GUILESS_MAIN(lumvane::HttpServerTest)
#include "HttpServerTest.moc"
